// Both pages for every player in one engine: the arrows and a gamepad, a bad link, a trap, both
// languages, five screen shapes, full screen, axe-core; the page without what the engine lacks.
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { abrir, ate_igual, conferir_saida, esperar, falhar, modulos, outro_navegador, terminou, testar } from './comum.mjs';

const SEM_MONSTROS = '/?tabuleiro=nativa/sem_monstros.map';
const DESKTOP = { width: 1280, height: 800 }, TELEFONE = { width: 390, height: 844, toque: true };
const TELAS = [TELEFONE, { ...TELEFONE, width: 844, height: 390 }, { width: 907, height: 510 }, { width: 800, height: 450 }, DESKTOP];
const AXE = readFileSync(join(modulos, 'axe-core/axe.min.js'), 'utf8');

// Before the page: whether an arrow scrolled it, a gamepad the test holds, what the page throws.
function espiar() {
  window.addEventListener('keydown', (e) => setTimeout(() => { window.rolou ||= e.key.startsWith('Arrow') && !e.defaultPrevented; }));
  const c = window.controle = { leituras: 0, ligado: false, axes: [0, 0], buttons: [...Array(17)].map(() => ({})), erros: [] };
  if ('getGamepads' in Navigator.prototype) navigator.getGamepads = () => [c.leituras++ >= 0 && c.ligado ? c : null];
  addEventListener('error', (e) => c.erros.push(e.message));
}

// The right arrow, with no click first, walks the avatar to the wall as natively, scrolling
// nothing; on another page no gamepad read while none is connected (nor asked for where the engine
// has none), the d-pad walks it there too, Start ends the game.
async function testar_teclas_e_controle(ambiente) {
  let pagina = await abrir(ambiente, SEM_MONSTROS, { antes: espiar, rodando: true });
  await pagina.tecla_abaixo('ArrowRight');
  await ate_igual(pagina, 'parado.rgb', 'the avatar against the wall');
  await pagina.tecla_acima('ArrowRight');
  if (await pagina.avaliar(() => window.rolou !== false)) falhar('the arrows scroll the page');
  await pagina.fechar();
  pagina = await abrir(ambiente, SEM_MONSTROS, { antes: espiar, rodando: true });
  const tem = await pagina.avaliar(() => 'getGamepads' in Navigator.prototype);
  if (!tem) await pagina.avaliar(() => window.dispatchEvent(new Event('gamepadconnected')));
  await pagina.avaliar(() => new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(r))));
  const lido = await pagina.avaliar(() => [window.controle.leituras, ...window.controle.erros]);
  if (lido.join() !== '0') falhar('the gamepads read with none connected: ' + lido);
  if (tem) {
    await pagina.avaliar(() => { Object.assign(window.controle, { ligado: true }).buttons[15].pressed = true;
      window.dispatchEvent(new Event('gamepadconnected')); });
    await ate_igual(pagina, 'parado.rgb', 'the d-pad walking the avatar to the wall as the key does');
    await pagina.avaliar(() => { window.controle.buttons[15].pressed = false; window.controle.buttons[9].pressed = true; });
    await conferir_saida(pagina, 0, 'Start');
  }
  await pagina.fechar();
}

// A bad link: the page's words (Portuguese, the browser's), no game. A trap in the running game, as
// the browser raises one: status 1 and the error said, not a page waiting for ever.
async function testar_fins(ambiente) {
  let pagina = await abrir(ambiente, '/?celulas=' + '0'.repeat(191) + '4');
  const aviso = await esperar(pagina, () => window.tabuleiro2.estado === 'terminou' &&
    [window.tabuleiro2.quadros, document.getElementById('saida').textContent], 'no end of a bad link');
  if (aviso[0] || !aviso[1].includes('192 algarismos de 0 a 3')) falhar('a bad link: ' + aviso);
  await pagina.fechar();
  pagina = await abrir(ambiente, SEM_MONSTROS, { rodando: true });
  await pagina.avaliar(() => document.body.append(Object.assign(document.createElement('script'), // the page's own
    { textContent: "setTimeout(() => { throw new WebAssembly.RuntimeError('memory access out of bounds'); })" })));
  await conferir_saida(pagina, 1, 'a trap');
  const fim = await pagina.avaliar(() => document.getElementById('saida').textContent);
  if (!fim.includes('RuntimeError: memory access out of bounds')) falhar('a trap: ' + fim);
  await pagina.fechar();
}

// The browser's language (en-US here, pt-BR elsewhere) or ?lang= picks the pages' words, <html
// lang> and the manifest's; the programs' own texts stay as they are.
async function testar_idiomas(ambiente) {
  const ingles = await outro_navegador({ idioma: 'en-US' });
  for (const [url, navegador, palavras, ...frases] of [
    ['/?tabuleiro=nao_existe.map', ingles, 'en,up,en', 'Arquivo nao pode ser aberto', 'Game over, status 1'],
    ['/?tabuleiro=nao_existe.map&lang=pt', ingles, 'pt,seta para cima,pt', 'Arquivo nao pode ser aberto', 'Fim do jogo, saída 1'],
    ['/editor.html?lang=en', ambiente.navegador, 'en,discard,en', 'tabuleiro.map - pincel: parede']]) {
    const pagina = await abrir({ ...ambiente, navegador }, url);
    const dito = await esperar(pagina, () => document.getElementById('anuncio').textContent, url + ': nothing said');
    const visto = await pagina.avaliar(async () => [document.documentElement.lang, (document.querySelector('[data-tecla="ArrowUp"]') ||
      {}).ariaLabel || document.getElementById('descartar').textContent,
      (await (await fetch(document.querySelector('link[rel=manifest]').href)).json()).lang].join());
    if (visto !== palavras || !frases.every((f) => dito.includes(f))) falhar(url + ': ' + visto + '; said: ' + dito);
    await pagina.fechar();
  }
  await ingles.fechar();
}

// In the page: the viewport, the boxes of the canvas, each visible control and each line of text.
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

// The button puts the board full screen, letterboxed; Esc and the button bring it back, still on.
async function conferir_tela_cheia(pagina) {
  if (!(await pagina.avaliar(() => !!(document.fullscreenEnabled && document.body.requestFullscreen))))
    return (await pagina.avaliar(() => document.getElementById('tela_cheia').hidden)) || falhar('a full screen button with no full screen');
  // Esc is the browser's own in full screen: Firefox tells the page nothing of it.
  const esc = async () => { await pagina.tecla_abaixo('Escape'); await pagina.tecla_acima('Escape'); };
  // Each change waited for as the button shows it, at fullscreenchange: WebKit names the element
  // before its window is full screen, and takes no other change until it is.
  const em_tela_cheia = (sim) => document.getElementById('tela_cheia').getAttribute('aria-pressed') === String(sim) &&
    (document.fullscreenElement === document.getElementById('palco')) === sim;
  for (const sair of [esc, () => pagina.clicar('#tela_cheia')]) {
    await pagina.clicar('#tela_cheia');
    await esperar(pagina, em_tela_cheia, 'no full screen', true);
    const m = await pagina.avaliar(medir);
    if (m.tela.y < 0 || m.tela.b > m.h + 0.5 || Math.abs(m.tela.x + m.tela.r - m.w) > 1 || m.tela.b - m.tela.y < m.h * 0.8)
      falhar('full screen: the canvas is not fitted in the middle: ' + JSON.stringify(m.tela));
    await sair();
    await esperar(pagina, em_tela_cheia, 'still full screen', false);
  }
  if (await pagina.avaliar(terminou)) falhar('Esc in full screen ended the game');
}

// Each shape and page: the canvas in view, nothing wider than the screen or on anything else,
// controls 44 x 44 on a touch screen; full screen on the desktop; on it and the phone, no axe-core
// violation while the program runs and once Esc ended it with status 0.
async function testar_telas(ambiente) {
  for (const tela of TELAS) for (const url of ['/', '/editor.html']) {
    const pagina = await abrir(ambiente, url, { tela, rodando: true });
    const m = await pagina.avaliar(medir), onde = url + ' at ' + tela.width + 'x' + tela.height + ': ';
    if (m.tela.x < 0 || m.tela.y < 0 || m.tela.r > m.w + 0.5 || m.tela.b > m.h + 0.5 || m.largura > m.w)
      falhar(onde + 'the canvas is not all in view: ' + JSON.stringify([m.tela, m.w, m.h, m.largura]));
    const caixas = [m.tela, ...m.controles, ...m.textos];
    caixas.forEach((a, i) => caixas.slice(i + 1).forEach((b) => sobrepostas(a, b) && falhar(onde + a.nome + ' overlaps ' + b.nome)));
    for (const c of tela.toque && ambiente.navegador.toque ? m.controles : [])
      if (c.r - c.x < 44 || c.b - c.y < 44) falhar(onde + '"' + c.nome + '" is smaller than 44 x 44');
    if (tela === DESKTOP && url === '/') await conferir_tela_cheia(pagina);
    if (tela === DESKTOP || tela === TELEFONE) {
      await pagina.avaliar((fonte) => { (0, eval)(fonte); }, AXE);
      for (const quando of ['running', 'ended']) {
        const v = await pagina.avaliar(async () => (await axe.run()).violations.map((v) => v.id + ' ' + v.nodes.map((n) => n.target)));
        if (v.length) falhar(onde + quando + ': ' + v.join('; '));
        await pagina.tecla_abaixo('Escape'); // held longer than a frame, as a player does
        await conferir_saida(pagina, 0, onde + 'Esc');
        await pagina.tecla_acima('Escape');
      }
    }
    await pagina.fechar();
  }
}

await testar([testar_teclas_e_controle, testar_fins, testar_idiomas, testar_telas]);
