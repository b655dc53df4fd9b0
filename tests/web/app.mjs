// The pages as an app, each case in a fresh profile: installable by
// Chromium's own check; offline after one visit, pixel for pixel the native
// windows; a new build, once a visit found it, is alone left, and plays.
// Usage: node app.mjs ZIP_FOLDER NATIVE_CAPTURES NODE_MODULES
import { execFileSync } from 'node:child_process';
import { copyFileSync, cpSync, mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { abrir, conferir, esperar, falhar, testar } from './comum.mjs';
import { abrir_chromium, servir } from './navegador.mjs';

const [zip, pasta_nativa, modulos] = process.argv.slice(2);
const web = new URL('../../web/', import.meta.url).pathname;
const SOB_O_TRABALHADOR = () => !!navigator.serviceWorker.controller;

// A copy of the zip's folder served on its own to a browser of its own:
// corpo(browser, address, folder, stop the server); all of it gone after.
async function com_copia(corpo) {
  const pasta = mkdtempSync(join(tmpdir(), 'tabuleiro2-app-'));
  cpSync(zip, pasta, { recursive: true });
  const { servidor, endereco } = await servir(pasta, { nativa: pasta_nativa });
  const navegador = await abrir_chromium(modulos);
  const parar = () => { servidor.closeAllConnections(); servidor.close(); };
  try {
    await corpo(navegador, endereco, pasta, parar);
  } finally {
    await navegador.fechar();
    parar();
    rmSync(pasta, { recursive: true, force: true });
  }
}

// Opens url, waits for the first frame (and, on the editor, the title of
// its board), and compares the frame with native capture nativa if any.
async function jogar(navegador, url, nativa) {
  const pagina = await abrir(navegador, url, { contexto: navegador.defaultBrowserContext() });
  await esperar(pagina, () => !!window.espia.ultimo && (!window.editor || /^tabuleiro\.map - /.test(document.title)),
    'no frame from ' + url);
  if (nativa) await conferir(pagina, url.includes('editor') ? 'ultimo' : 'primeiro', join(pasta_nativa, nativa), url);
  return pagina;
}

// The first visit: the game's page, until its service worker is in charge.
async function visitar(navegador, endereco) {
  const pagina = await abrir(navegador, endereco + '/', { contexto: navegador.defaultBrowserContext() });
  await esperar(pagina, SOB_O_TRABALHADOR, 'no service worker in charge of the page');
  await pagina.close();
}

async function testar_instalavel() {
  await com_copia(async (navegador, endereco) => {
    for (const url of ['/', '/editor.html']) {
      const pagina = await abrir(navegador, endereco + url, { contexto: navegador.defaultBrowserContext() });
      await esperar(pagina, SOB_O_TRABALHADOR, url + ' registered no service worker');
      const { installabilityErrors: erros } = await (await pagina.createCDPSession()).send('Page.getInstallabilityErrors');
      if (erros.length) falhar(url + ' is not installable: ' + erros.map((e) => e.errorId).join(', '));
      await pagina.close();
    }
  });
}

async function testar_sem_rede() {
  await com_copia(async (navegador, endereco, pasta, parar) => {
    await visitar(navegador, endereco);
    await (await jogar(navegador, endereco + '/?tabuleiro=nativa/sem_monstros.map')).close();
    parar();
    const celulas = readFileSync(new URL('pintado.map', import.meta.url), 'latin1').replace(/\n/g, '');
    for (const [url, nativa] of [['/'], ['/?tabuleiro=tabuleiros/campo.map'], ['/?celulas=' + celulas, 'pintado.rgb'],
      ['/?tabuleiro=nativa/sem_monstros.map', 'primeiro.rgb'], ['/editor.html?tabuleiro=tabuleiros/tabuleiro.map', 'editor.rgb']])
      await (await jogar(navegador, endereco + url, nativa)).close();
  });
}

// The new build: the same files but the sample board, now without its
// monsters, and its service worker written by the build's own versionar.mjs.
function versionar(pasta) {
  copyFileSync(join(pasta_nativa, 'sem_monstros.map'), join(pasta, 'tabuleiros/tabuleiro.map'));
  const velho = readFileSync(join(pasta, 'sw.js'), 'utf8');
  const arquivos = JSON.parse(velho.match(/const ARQUIVOS = (\[.*?\]\]);/)[1]).map(([a]) => a);
  execFileSync('node', [join(web, 'versionar.mjs'), join(web, 'sw.js.in'), 'sw.js', ...arquivos], { cwd: pasta });
  return readFileSync(join(pasta, 'sw.js'), 'utf8').match(/tabuleiro2-[0-9a-f]+/)[0];
}

async function testar_nova_versao() {
  await com_copia(async (navegador, endereco, pasta) => {
    await visitar(navegador, endereco);
    const versao = versionar(pasta), velha = await jogar(navegador, endereco + '/');
    await esperar(velha, async (v) => (await caches.keys()).join() === v, 'caches but ' + versao + ' left', versao);
    await jogar(navegador, endereco + '/', 'primeiro.rgb');
  });
}

await testar(zip, pasta_nativa, modulos, [testar_instalavel, testar_sem_rede, testar_nova_versao]);
