// The editor's page: a board painted, its draft back after a reload and a closed browser, saved
// byte for byte, its play link, the Esc guard, a discard; the checker's findings, storage denied.
import { spawnSync } from 'node:child_process';
import { readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { abrir, conferir_saida, editor_nativo, esperar, esperar_titulo, falhar, outro_navegador, pintado, pintar, quadro,
  teclar, terminou, testar } from './comum.mjs';

const RASCUNHO = 'tabuleiro2-editor.rascunho';
const sem_rascunho = (k) => !localStorage.getItem(k) && document.getElementById('rascunho').hidden;

// In the page: the names of the downloads it clicks from now on.
function espiar_baixados() {
  window.baixados = [];
  document.addEventListener('click', (e) => e.target.download && window.baixados.push(e.target.download), true);
}

// The page reopened: the draft drawn as it was and unsaved (*, the first Esc only warns).
async function esperar_restaurado(pagina, antes) {
  await esperar(pagina, () => !document.getElementById('rascunho').hidden && window.editor.quadros > 0, 'no draft back');
  if (!(await quadro(pagina)).equals(antes)) falhar('the draft drawn otherwise than it was painted');
  await esperar_titulo(pagina, '^tabuleiro\\.map\\* - ');
  await teclar(pagina, 'Escape', '^tabuleiro\\.map\\* - .*Esc de novo sai sem gravar');
  if (await pagina.avaliar(terminou)) falhar('one Esc ended the editor on a restored draft');
}

// On a profile of its own, pintado.map painted (brush 0 for the right button where it fails), its
// draft back after a reload and a closed browser (a closed page in WebKit, whose storage dies with
// it); saved, downloaded, linked, the draft gone; a change, two Esc, a discard.
async function testar_pintura(ambiente) {
  const direito = ambiente.navegador.botao_direito, perfil = join(ambiente.navegador.perfil, 'outro');
  let outro = await outro_navegador({ perfil });
  const abrir_editor = async () => abrir({ ...ambiente, navegador: outro }, '/editor.html', { contexto: await outro.padrao() });
  let pagina = await abrir_editor();
  await esperar_titulo(pagina, '^tabuleiro\\.map - pincel: parede - ');
  const passos = [
    [teclar, '2', 'pincel: monstro'], [pintar, 'left', [[2, 2]]],
    [teclar, '3', 'pincel: avatar'], [pintar, 'left', [[5, 5]]],
    [teclar, '1', '^tabuleiro\\.map\\* - pincel: parede - '], [pintar, 'left', [[1, 8], [14, 8]]],
    // Out past the right edge and down below the board: on along the edge.
    [pintar, 'left', [[14, 1], [17, 1], [17, 13]], [15, 11]], ...(direito ? [[pintar, 'right', [[2, 2]]]] : []),
    [teclar, '0', 'pincel: vazio'], [pintar, 'left', [[7, 8]]], ...(direito ? [] : [[pintar, 'left', [[2, 2]]]]),
  ];
  for (const [passo, ...argumentos] of passos) await passo(pagina, ...argumentos);
  const celulas = readFileSync(pintado, 'latin1').replace(/\n/g, '');
  await esperar(pagina, ([k, c]) => (JSON.parse(localStorage.getItem(k)) || {}).celulas === c, 'no draft', [RASCUNHO, celulas]);
  const antes = await quadro(pagina);
  await pagina.recarregar();
  await esperar_restaurado(pagina, antes);
  if (outro.duravel) {
    await outro.fechar();
    outro = await outro_navegador({ perfil });
  } else await pagina.fechar();
  pagina = await abrir_editor();
  await esperar_restaurado(pagina, antes);

  await pagina.avaliar(espiar_baixados);
  await teclar(pagina, 's', '^tabuleiro\\.map - ');
  await esperar(pagina, (k) => window.baixados.join() === 'tabuleiro.map' && !document.getElementById('gravado').hidden &&
    !localStorage.getItem(k) && document.getElementById('rascunho').hidden, 'no download of tabuleiro.map, or a draft left', RASCUNHO);
  const [baixado, link] = await pagina.avaliar(async () => [await (await fetch(document.getElementById('baixar').href)).text(),
    document.getElementById('jogar').href]);
  if (baixado !== readFileSync(pintado, 'latin1') || link !== ambiente.endereco + '/index.html?celulas=' + celulas)
    falhar('downloaded board:\n' + baixado + 'play link: ' + link);

  await teclar(pagina, '0', 'pincel: vazio');
  await pintar(pagina, 'left', [[1, 8]]);
  await teclar(pagina, 'Escape', '^tabuleiro\\.map\\* - pincel: vazio - Esc de novo sai sem gravar');
  await pagina.tecla_abaixo('Escape');
  await pagina.tecla_acima('Escape');
  await conferir_saida(pagina, 0, 'the second Esc');
  await pagina.recarregar();
  await esperar(pagina, () => !document.getElementById('rascunho').hidden, 'no draft of the change after the save');
  await pagina.clicar('#descartar');
  await esperar(pagina, sem_rascunho, 'the discard left the draft', RASCUNHO);
  await outro.fechar();
}

// Before the page: storage denied; what the page throws.
function negar() {
  window.erros = [];
  addEventListener('error', (e) => window.erros.push(e.message));
  addEventListener('unhandledrejection', (e) => window.erros.push(String(e.reason)));
  Object.defineProperty(window, 'localStorage', { get() { throw new DOMException('no', 'SecurityError'); } });
}

// Storage denied, a hand-written board picked: the native --verificar's findings beside the canvas;
// painted, S offers it under its name; the denial said once, nothing thrown.
async function testar_verificacao(ambiente) {
  const pasta = ambiente.navegador.perfil, nome = 'à mão.map'; // removed with the browser
  writeFileSync(join(pasta, nome), '1111\t1111x11111111\r\n0000\n' + '1'.repeat(20) + '\n');
  const nativo = spawnSync(editor_nativo, ['--verificar', nome], { cwd: pasta, encoding: 'utf8' });
  const pagina = await abrir(ambiente, '/editor.html', { antes: negar, rodando: true });
  await pagina.escolher_arquivo('#arquivo', join(pasta, nome));
  const achados = await esperar(pagina, () => document.getElementById('achados').textContent, 'no findings shown');
  if (nativo.status !== 1 || achados !== nativo.stderr)
    falhar('findings on the page:\n' + achados + 'natively (status ' + nativo.status + '):\n' + nativo.stderr);
  await esperar_titulo(pagina, '^à mão\\.map - pincel: parede - ');
  await pintar(pagina, 'left', [[4, 4]]);
  await teclar(pagina, 's', '^à mão\\.map - pincel: parede - ');
  await esperar(pagina, () => document.getElementById('baixar').download === 'à mão.map' &&
    !document.getElementById('gravado').hidden, 'no save offered as à mão.map');
  const [avisos, erros] = await pagina.avaliar(() => [document.querySelectorAll('#memoria:not([hidden])').length, window.erros]);
  if (avisos !== 1 || erros.length) falhar('storage denied: ' + avisos + ' notices, thrown: ' + erros);
  await pagina.fechar();
}

await testar([testar_pintura, testar_verificacao]);
