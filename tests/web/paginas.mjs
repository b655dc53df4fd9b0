// Both pages for every player, in one browser engine: the arrow keys and a
// gamepad walking the avatar as natively, a bad board link, a trap, five
// screen shapes, full screen, axe-core, both languages, and the editor's
// draft through a reload, a closed browser, a save, a discard and a storage
// denied; where the engine lacks a feature, the page without it.
// Usage: node paginas.mjs ENGINE ZIP_FOLDER NATIVE_CAPTURES NODE_MODULES
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { abrir_navegador } from '../../apoio/navegador.mjs';
import { abrir, abrir_rodando, ate_igual, conferir_saida, esperar, esperar_titulo, falhar, modulos,
  pasta_nativa, pintar, quadro, segurar, teclar, terminou, testar } from './comum.mjs';

const PAGINAS = ['/', '/editor.html'];
const DESKTOP = { width: 1280, height: 800 };
const TELEFONE = { width: 390, height: 844, toque: true };
const TELAS = [TELEFONE, { ...TELEFONE, width: 844, height: 390 }, { width: 907, height: 510 }, { width: 800, height: 450 }, DESKTOP];
const RASCUNHO = 'tabuleiro2-editor.rascunho';

// In the page: the viewport, the canvas's box, each visible control's
// (button, link, label) and each line of text outside them.
function medir() {
  const caixa = (r, nome) => ({ nome, x: r.left, y: r.top, r: r.right, b: r.bottom });
  const controles = [...document.querySelectorAll('button, a, label')].filter((e) => e.getClientRects().length &&
    !e.closest('.oculto')).map((e) => caixa(e.getBoundingClientRect(), e.textContent || e.getAttribute('aria-label')));
  const textos = [];
  const andar = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
  for (let n; (n = andar.nextNode());) {
    if (!n.textContent.trim() || n.parentElement.closest('button, a, label, .oculto, script, style')) continue;
    const faixa = new Range();
    faixa.selectNodeContents(n);
    for (const r of faixa.getClientRects()) textos.push(caixa(r, n.textContent.trim().slice(0, 20)));
  }
  const tela = caixa(document.querySelector('canvas').getBoundingClientRect(), 'canvas');
  return { w: innerWidth, h: innerHeight, largura: document.documentElement.scrollWidth, tela, controles, textos };
}

const sobrepostas = (a, b) => Math.min(a.r, b.r) - Math.max(a.x, b.x) > 0.5 && Math.min(a.b, b.b) - Math.max(a.y, b.y) > 0.5;

// Each shape, each page: the whole canvas in view, nothing wider than the
// screen, no two of canvas, controls and text on each other, every control
// at least 44 x 44 on a touch screen (where the engine can give one); on
// the desktop and the phone, no violation axe-core finds, of any impact,
// while the program runs and once Esc ended it, with status 0.
async function testar_telas(ambiente) {
  for (const tela of TELAS) for (const url of PAGINAS) {
    const pagina = await abrir_rodando(ambiente, url, { tela });
    const m = await pagina.avaliar(medir);
    const onde = url + ' at ' + tela.width + 'x' + tela.height + ': ';
    if (m.tela.x < 0 || m.tela.y < 0 || m.tela.r > m.w + 0.5 || m.tela.b > m.h + 0.5 || m.largura > m.w)
      falhar(onde + 'the canvas is not all in view: ' + JSON.stringify([m.tela, m.w, m.h, m.largura]));
    const caixas = [m.tela, ...m.controles, ...m.textos];
    caixas.forEach((a, i) => caixas.slice(i + 1).forEach((b) => sobrepostas(a, b) && falhar(onde + a.nome + ' overlaps ' + b.nome)));
    for (const c of tela.toque && ambiente.navegador.toque ? m.controles : [])
      if (c.r - c.x < 44 || c.b - c.y < 44) falhar(onde + '"' + c.nome + '" is smaller than 44 x 44');
    if (tela === DESKTOP || tela === TELEFONE) await acessivel(pagina, onde);
    await pagina.fechar();
  }
}

const AXE = readFileSync(join(modulos, 'axe-core/axe.min.js'), 'utf8');
async function acessivel(pagina, onde) {
  await pagina.avaliar((fonte) => { (0, eval)(fonte); }, AXE);
  for (const quando of ['running', 'ended']) {
    const v = await pagina.avaliar(async () => (await axe.run()).violations.map((v) => v.id + ' ' + v.nodes.map((n) => n.target)));
    if (v.length) falhar(onde + quando + ': ' + v.join('; '));
    await segurar(pagina, 'Escape', terminou, 'Esc did not end the program');
  }
  await conferir_saida(pagina, 0, onde + 'Esc');
}

// The button puts the board full screen, letterboxed; Esc and the button
// bring it back, the game still on. Where the engine has no element full
// screen, no button.
async function testar_tela_cheia(ambiente) {
  const pagina = await abrir_rodando(ambiente, '/', { tela: DESKTOP });
  if (!(await pagina.avaliar(() => !!(document.fullscreenEnabled && document.body.requestFullscreen)))) {
    if (!(await pagina.avaliar(() => document.getElementById('tela_cheia').hidden))) falhar('a full screen button with no full screen');
    return pagina.fechar();
  }
  // Esc is the browser's own in full screen: Firefox tells the page nothing of it.
  const esc = async () => { await pagina.tecla_abaixo('Escape'); await pagina.tecla_acima('Escape'); };
  for (const sair of [esc, () => pagina.clicar('#tela_cheia')]) {
    await pagina.clicar('#tela_cheia');
    await esperar(pagina, () => document.fullscreenElement === document.getElementById('palco'), 'no full screen');
    const m = await pagina.avaliar(medir);
    if (m.tela.y < 0 || m.tela.b > m.h + 0.5 || Math.abs(m.tela.x + m.tela.r - m.w) > 1 || m.tela.b - m.tela.y < m.h * 0.8)
      falhar('full screen: the canvas is not fitted in the middle: ' + JSON.stringify(m.tela));
    await sair();
    await esperar(pagina, () => !document.fullscreenElement, 'still full screen');
  }
  if (await pagina.avaliar(terminou)) falhar('Esc in full screen ended the game');
  await pagina.fechar();
}

// The same board without monsters, from ?tabuleiro= (its first frame is
// app.mjs's to compare): after the right arrow held with no click first, the
// avatar against the wall, the native window's pixels exactly; the arrow
// scrolls nothing.
async function testar_identico(ambiente) {
  const pagina = await abrir_rodando(ambiente, '/?tabuleiro=nativa/sem_monstros.map', { antes: () =>
    window.addEventListener('keydown', (e) => setTimeout(() => { window.rolou ||= e.key.startsWith('Arrow') && !e.defaultPrevented; })) });
  await pagina.tecla_abaixo('ArrowRight');
  await ate_igual(pagina, join(pasta_nativa, 'parado.rgb'), 'the avatar against the wall');
  await pagina.tecla_acima('ArrowRight');
  if (await pagina.avaliar(() => window.rolou !== false)) falhar('the arrows scroll the page');
  await pagina.fechar();
}

// A link whose cells are not 192 digits from 0 to 3: the page's own
// message, no game (a board that cannot be fetched is testar_idiomas's).
async function testar_sem_tabuleiro(ambiente) {
  const pagina = await abrir(ambiente, '/?celulas=' + '0'.repeat(191) + '4');
  await esperar(pagina, terminou, 'no end of a bad link');
  const [aviso, quadros] = await pagina.avaliar(() => [document.getElementById('saida').textContent, window.tabuleiro2.quadros]);
  if (!aviso.includes('192 algarismos de 0 a 3') || quadros) falhar('a bad link: ' + aviso);
  await pagina.fechar();
}

// A trap in the running game's code, as the browser raises one: the game
// ends with status 1 and says the error, not a page waiting for ever.
async function testar_falha(ambiente) {
  const pagina = await abrir_rodando(ambiente, '/?tabuleiro=nativa/sem_monstros.map');
  await pagina.avaliar(() => document.body.append(Object.assign(document.createElement('script'), // the page's own
    { textContent: "setTimeout(() => { throw new WebAssembly.RuntimeError('memory access out of bounds'); })" })));
  await conferir_saida(pagina, 1, 'a trap');
  const aviso = await pagina.avaliar(() => document.getElementById('saida').textContent);
  if (!aviso.includes('RuntimeError: memory access out of bounds')) falhar('a trap: ' + aviso);
  await pagina.fechar();
}

// Before the page: a gamepad the test holds, where the engine has gamepads,
// how often it is read, and what the page throws.
function controle_falso() {
  const c = window.controle = { leituras: 0, ligado: false, axes: [0, 0], buttons: [...Array(17)].map(() => ({})), erros: [] };
  if ('getGamepads' in Navigator.prototype) navigator.getGamepads = () => [c.leituras++ >= 0 && c.ligado ? c : null];
  addEventListener('error', (e) => c.erros.push(e.message));
}

// Unread while none is connected; the d-pad's right held walks the avatar
// to the wall as the arrow key does, pixel for pixel; Start ends the game.
// Where the engine has no gamepads, the page never asks for them.
async function testar_controle(ambiente) {
  const pagina = await abrir_rodando(ambiente, '/?tabuleiro=nativa/sem_monstros.map', { antes: controle_falso });
  const tem = await pagina.avaliar(() => 'getGamepads' in Navigator.prototype);
  if (!tem) await pagina.avaliar(() => window.dispatchEvent(new Event('gamepadconnected')));
  await pagina.avaliar(() => new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(r))));
  const lido = await pagina.avaliar(() => [window.controle.leituras, ...window.controle.erros]);
  if (lido.join() !== '0') falhar('the gamepads read with none connected: ' + lido);
  if (!tem) return pagina.fechar();
  await pagina.avaliar(() => { Object.assign(window.controle, { ligado: true }).buttons[15].pressed = true; });
  await pagina.avaliar(() => { window.dispatchEvent(new Event('gamepadconnected')); });
  await ate_igual(pagina, join(pasta_nativa, 'parado.rgb'), 'the d-pad walking the avatar to the wall as the key does');
  await pagina.avaliar(() => { window.controle.buttons[15].pressed = false; window.controle.buttons[9].pressed = true; });
  await conferir_saida(pagina, 0, 'Start');
  await pagina.fechar();
}

// The browser's language (pt-BR, the tests' own, or en-US), or ?lang=,
// picks the pages' words, <html lang> and the manifest's; the programs' own
// texts stay as they are, and the end is said.
async function testar_idiomas(ambiente) {
  const ingles = await abrir_navegador(ambiente.motor, modulos, { idioma: 'en-US' });
  const casos = [['/?tabuleiro=nao_existe.map', ingles, 'en', 'up', 'Game over, status 1'],
    ['/?tabuleiro=nao_existe.map&lang=pt', ingles, 'pt', 'seta para cima', 'Fim do jogo, saída 1'],
    ['/editor.html', ambiente.navegador, 'pt', 'descartar', 'Tela cheia'],
    ['/editor.html?lang=en', ambiente.navegador, 'en', 'discard', 'Full screen']];
  for (const [url, navegador, lang, nome, frase] of casos) {
    const pagina = await abrir({ ...ambiente, navegador }, url);
    const idioma = url + ' in ' + await pagina.avaliar(() => navigator.language);
    await esperar(pagina, (f) => document.body.innerText.includes(f), idioma + ': no "' + frase + '"', frase);
    const visto = await pagina.avaliar(async () => [document.documentElement.lang, (document.querySelector('[data-tecla="ArrowUp"]') ||
      {}).ariaLabel || document.querySelector('#descartar').textContent, document.getElementById('anuncio').textContent,
      (await (await fetch(document.querySelector('link[rel=manifest]').href)).json()).lang]);
    if (visto[0] !== lang || visto[1] !== nome || visto[3] !== lang) falhar(idioma + ': ' + visto);
    if (url.includes('nao_existe') && !(visto[2].includes('Arquivo nao pode ser aberto') && visto[2].includes(frase)))
      falhar('the end, as said: ' + visto[2]);
    await pagina.fechar();
  }
  await ingles.fechar();
}

// The cells painted below: a monster in (2, 2), a wall from (1, 8) to (14, 8).
const PINTADAS = '0'.repeat(34) + '2' + '0'.repeat(94) + '1'.repeat(14) + '0'.repeat(49);

const sem_rascunho = (k) => !localStorage.getItem(k) && document.getElementById('rascunho').hidden;

// The page reopened (reloaded, or in a browser closed and opened again on
// the same profile): the draft's board drawn as it was, said unsaved, and
// unsaved to the editor too: * in the title, the first Esc only warns.
async function esperar_restaurado(pagina, antes) {
  await esperar(pagina, () => !document.getElementById('rascunho').hidden && window.editor.quadros > 0, 'no draft back');
  if (!(await quadro(pagina)).equals(antes)) falhar('the draft drawn otherwise than it was painted');
  await esperar_titulo(pagina, '^tabuleiro\\.map\\* - ');
  await teclar(pagina, 'Escape', '^tabuleiro\\.map\\* - .*Esc de novo sai sem gravar');
  if (await pagina.avaliar(terminou)) falhar('one Esc ended the editor on a restored draft');
}

// A board painted, kept at each change, back after a reload and after the
// browser closed (where storage outlives the browser: not WebKit's under
// automation, whose page is closed and opened again instead); a save ends
// the draft, and so does a discard.
async function testar_rascunho(ambiente) {
  const perfil = join(ambiente.navegador.perfil, 'outro'); // removed with the shared browser's
  let outro = await abrir_navegador(ambiente.motor, modulos, { perfil });
  const abrir_editor = async () => abrir({ ...ambiente, navegador: outro }, '/editor.html', { contexto: await outro.padrao() });
  let pagina = await abrir_editor();
  await esperar_titulo(pagina, '^tabuleiro\\.map - pincel: parede');
  await teclar(pagina, '2', 'pincel: monstro');
  await pintar(pagina, 'left', [[2, 2]]);
  await teclar(pagina, '1', 'pincel: parede');
  await pintar(pagina, 'left', [[1, 8], [14, 8]]);
  await esperar(pagina, ([k, c]) => (JSON.parse(localStorage.getItem(k)) || {}).celulas === c, 'no draft', [RASCUNHO, PINTADAS]);
  const antes = await quadro(pagina);
  await pagina.recarregar();
  await esperar_restaurado(pagina, antes);
  if (outro.duravel) {
    await outro.fechar();
    outro = await abrir_navegador(ambiente.motor, modulos, { perfil });
  } else await pagina.fechar();
  pagina = await abrir_editor();
  await esperar_restaurado(pagina, antes);
  await teclar(pagina, 's', '^tabuleiro\\.map - ');
  await esperar(pagina, sem_rascunho, 'the save left the draft', RASCUNHO);
  await pintar(pagina, 'left', [[3, 3]]);
  await esperar(pagina, (k) => localStorage.getItem(k), 'no draft of a change after the save', RASCUNHO);
  await pagina.recarregar();
  await esperar(pagina, () => !document.getElementById('rascunho').hidden, 'no draft restored after the save');
  await pagina.clicar('#descartar');
  await esperar(pagina, sem_rascunho, 'the discard left the draft', RASCUNHO);
  await outro.fechar();
}

// Storage denied: said once, and the editor paints and saves, throwing nothing.
function negar() {
  window.erros = [];
  addEventListener('error', (e) => window.erros.push(e.message));
  addEventListener('unhandledrejection', (e) => window.erros.push(String(e.reason)));
  Object.defineProperty(window, 'localStorage', { get() { throw new DOMException('no', 'SecurityError'); } });
}

async function testar_sem_armazenamento(ambiente) {
  const pagina = await abrir_rodando(ambiente, '/editor.html', { antes: negar });
  await esperar_titulo(pagina, '^tabuleiro\\.map - pincel: parede');
  await pintar(pagina, 'left', [[4, 4]]);
  await teclar(pagina, 's', '^tabuleiro\\.map - pincel: parede');
  await esperar(pagina, () => !document.getElementById('gravado').hidden, 'no save offered');
  const [avisos, erros] = await pagina.avaliar(() => [document.querySelectorAll('#memoria:not([hidden])').length, window.erros]);
  if (avisos !== 1 || erros.length) falhar('storage denied: ' + avisos + ' notices, thrown: ' + erros);
  await pagina.fechar();
}

await testar([testar_identico, testar_controle, testar_sem_tabuleiro, testar_falha, testar_rascunho,
  testar_sem_armazenamento, testar_tela_cheia, testar_idiomas, testar_telas]);
